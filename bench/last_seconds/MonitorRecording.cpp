// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "MonitorRecording.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

extern char** environ;

namespace {

std::int64_t systemNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

MonitorRecording::MonitorRecording(const char* monitor) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string device = std::string("--device=") + monitor;
    const char* argv[] = {
        "parec",        device.c_str(),     "--raw", "--format=s16le", "--rate=48000",
        "--channels=1", "--latency-msec=5", nullptr};
    if (posix_spawnp(&pid_, "parec", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    fd_ = pipeFds[0];
    reader_ = std::thread([this] { read(); });
}

MonitorRecording::~MonitorRecording() { stop(); }

void MonitorRecording::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (reader_.joinable()) reader_.join();
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

void MonitorRecording::read() {
    std::vector<char> block(4096);
    std::size_t carried = 0;  // a byte of a sample split across reads
    std::int64_t samplesRead = 0;
    while (true) {
        const ssize_t got = ::read(fd_, block.data() + carried, block.size() - carried);
        const std::int64_t arrivedNs = systemNowNs();
        if (got <= 0) return;
        const std::size_t bytes = carried + static_cast<std::size_t>(got);
        const std::size_t whole = bytes / 2;
        for (std::size_t i = 0; i < whole; ++i) {
            const auto low = static_cast<unsigned char>(block[2 * i]);
            const auto high = static_cast<unsigned char>(block[2 * i + 1]);
            samples_.push_back(static_cast<std::int16_t>(low | high << 8));
        }
        samplesRead += static_cast<std::int64_t>(whole);
        carried = bytes % 2;
        if (carried) block[0] = block[bytes - 1];
        startNs_ = std::min(startNs_, arrivedNs - samplesRead * 1'000'000'000 / kRate);
    }
}
