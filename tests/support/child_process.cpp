#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

extern char** environ;

namespace {

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

std::vector<std::string> Environment(const std::map<std::string, std::string>& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (!changes.contains(text.substr(0, text.find('=')))) {
      entries.push_back(text);
    }
  }
  for (const auto& [name, value] : changes) {
    entries.push_back(name + "=" + value);
  }
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& environment) {
  int out[2];
  int err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("no pipes for the child");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  std::vector<std::string> arguments = argv;
  std::vector<std::string> variables = Environment(environment);
  const int failed = posix_spawn(&pid_, arguments[0].c_str(), &actions, nullptr,
                                 Pointers(arguments).data(), Pointers(variables).data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  if (failed != 0) {
    close(out[0]);
    close(err[0]);
    throw std::runtime_error("cannot start " + argv[0]);
  }
  reader_ = std::thread([this, out = out[0], err = err[0]] { ReadPipes(out, err); });
}

ChildProcess::~ChildProcess() {
  if (!reaped_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  reader_.join();
}

void ChildProcess::Interrupt() {
  kill(pid_, SIGINT);
}

bool ChildProcess::WaitForStderr(const std::string& text, int timeoutMs, int times) {
  return WaitFor("stderr", text, timeoutMs, times);
}

bool ChildProcess::WaitForStdout(const std::string& text, int timeoutMs, int times) {
  return WaitFor("stdout", text, timeoutMs, times);
}

bool ChildProcess::WaitFor(const std::string& stream, const std::string& text, int timeoutMs,
                           int times) {
  std::unique_lock lock(mutex_);
  const std::string& grown = stream == "stdout" ? out_ : err_;
  return grown_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    return Occurrences(grown, text) >= static_cast<std::size_t>(times) || closed_;
  }) && Occurrences(grown, text) >= static_cast<std::size_t>(times);
}

int ChildProcess::Wait(int timeoutMs) {
  {
    std::unique_lock lock(mutex_);
    if (!grown_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return closed_; })) {
      kill(pid_, SIGKILL);
    }
  }
  int status = 0;
  waitpid(pid_, &status, 0);
  reaped_ = true;
  if (WIFSIGNALED(status)) {
    status_ = WTERMSIG(status) == SIGKILL ? -1 : 128 + WTERMSIG(status);
  } else {
    status_ = WEXITSTATUS(status);
  }
  return status_;
}

std::string ChildProcess::Stdout() const {
  const std::lock_guard lock(mutex_);
  return out_;
}

std::string ChildProcess::Stderr() const {
  const std::lock_guard lock(mutex_);
  return err_;
}

// Both pipes until the child has closed both, which it does when it ends.
void ChildProcess::ReadPipes(int out, int err) {
  pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
  int open = 2;
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) {
      continue;
    }
    for (pollfd& fd : fds) {
      if (fd.fd < 0 || fd.revents == 0) {
        continue;
      }
      char buffer[4096];
      const ssize_t got = read(fd.fd, buffer, sizeof buffer);
      if (got <= 0) {
        close(fd.fd);
        fd.fd = -1;
        --open;
        continue;
      }
      const std::lock_guard lock(mutex_);
      (fd.fd == out ? out_ : err_).append(buffer, static_cast<std::size_t>(got));
      grown_.notify_all();
    }
  }
  const std::lock_guard lock(mutex_);
  closed_ = true;
  grown_.notify_all();
}
