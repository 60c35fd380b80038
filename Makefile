# Entry points for people and CI; CMake does the real work.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps build run test format translations clean

all: build

deps:
	scripts/install-deps.sh build

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run-vexalon.sh $(BUILD)/app/vexalon

# Every test runs once: a failure is a fault to fix, never a run to repeat.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Brings every .ts file up to date with the texts in the code; translators then fill in
# what is new. The command line stays English and is not scanned.
translations: deps
	/usr/lib/qt6/bin/lupdate -locations none -no-obsolete app ui radio files \
	  -ts $(wildcard translations/vexalon_*.ts)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(WINDOWS_APP_BUILD)

# Benchmark, Debian package and Windows compile check.
WINDOWS_BUILD ?= build-windows

.PHONY: bench package deb-check windows-check

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/bench/vexalon-bench

# The entries are checked first; for the software centre's, an info or a warning fails too
# (--strict), only pedantic hints pass. Then lintian checks the package as Debian would: an
# error or a warning fails it.
package: build
	scripts/install-deps.sh package
	desktop-file-validate desktop/vexalon.desktop
	appstreamcli validate --no-net --strict desktop/org.example.vexalon.metainfo.xml
	rm -f $(BUILD)/vexalon_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD)/vexalon_*.deb

# Slow (it sets up a whole Debian in a chroot): run by hand, not in CI.
deb-check: package
	scripts/check-deb-install.sh $(BUILD)/vexalon_*.deb

windows-check:
	scripts/install-deps.sh mingw
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja --toolchain cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVEXALON_GUI=OFF -DVEXALON_TESTS=OFF -DVEXALON_WERROR=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Hardening: the tests under sanitizers, and the fuzz targets.
# `make sanitize` runs every test built with AddressSanitizer and UndefinedBehaviorSanitizer;
# `make fuzz` runs each libFuzzer target for FUZZ_SECONDS from its seeds in fuzz/corpus.
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_TARGETS := ini_file_fuzz reply_decoding_fuzz frequency_codec_fuzz cli_arguments_fuzz
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: sanitize fuzz fuzz-deps

$(SANITIZE_BUILD)/build.ninja: | deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVEXALON_SANITIZE=ON $(CMAKE_FLAGS)

sanitize: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-deps:
	scripts/install-deps.sh build fuzz

# libFuzzer comes with clang; nothing of the toolkit is built.
$(FUZZ_BUILD)/build.ninja: | fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXALON_GUI=OFF -DVEXALON_TESTS=OFF \
		-DVEXALON_SANITIZE=ON -DVEXALON_FUZZ=ON

fuzz: fuzz-deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	$(SANITIZER_ENV) scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The Windows program: Qt for MinGW-w64 built once into a cache outside the tree, the GUI
# cross-built against it, packed as a folder, a zip and an installer; tested under Wine.
VEXALON_CACHE ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/vexalon
QT_MINGW ?= $(VEXALON_CACHE)/qt6-mingw
WINDOWS_APP_BUILD ?= build-windows-app

.PHONY: windows windows-test

windows:
	VEXALON_CACHE=$(VEXALON_CACHE) scripts/build-qt-mingw.sh $(QT_MINGW)
	cmake -S . -B $(WINDOWS_APP_BUILD) -G Ninja --toolchain cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_PREFIX_PATH=$(QT_MINGW) -DQT_HOST_PATH=/usr \
	  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DVEXALON_WERROR=ON \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/scripts/wine-run.sh
	cmake --build $(WINDOWS_APP_BUILD) -j $(JOBS)
	scripts/package-windows.sh $(WINDOWS_APP_BUILD)

windows-test: windows build
	scripts/install-deps.sh windows
	scripts/windows-test.sh $(WINDOWS_APP_BUILD) $(BUILD)
