# Entry points for people and CI; CMake does the real work.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps build run test format clean

all: build

deps:
	scripts/install-deps.sh build

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run-vexalon.sh $(BUILD)/app/vexalon

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)

# Benchmark, Debian package and Windows compile check.
WINDOWS_BUILD ?= build-windows

.PHONY: bench package deb-check windows-check

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/bench/vexalon-bench

package: build
	scripts/install-deps.sh package
	desktop-file-validate desktop/vexalon.desktop
	cd $(BUILD) && cpack -G DEB

# Slow (it sets up a whole Debian in a chroot): run by hand, not in CI.
deb-check: package
	scripts/check-deb-install.sh $(BUILD)/vexalon_*.deb

windows-check:
	scripts/install-deps.sh mingw
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja --toolchain cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVEXALON_GUI=OFF -DVEXALON_TESTS=OFF -DVEXALON_WERROR=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
