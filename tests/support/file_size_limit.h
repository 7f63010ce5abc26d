// A disk that fills up, for tests of writes that must fail whole.
#pragma once

#include <sys/resource.h>

#include <csignal>

// Runs `body` as on a disk that fills up: no file may grow past `bytes`.
template <typename Body>
auto WithFileSizeLimit(rlim_t bytes, Body body) {
  rlimit kept{};
  getrlimit(RLIMIT_FSIZE, &kept);
  rlimit limited = kept;
  limited.rlim_cur = bytes;
  void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limited);
  auto result = body();
  setrlimit(RLIMIT_FSIZE, &kept);
  std::signal(SIGXFSZ, handler);
  return result;
}
