// Runs file jobs on a thread of its own, one at a time. A job belongs to
// the thread until it is done; then the worker calls done (on that
// thread), and the owner takes the job back with Finish, on its own
// thread, after which nothing of the job is shared any more.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "core/file_job.h"

namespace keyloom {

class FileWorker {
public:
    FileWorker() = default;
    FileWorker(const FileWorker&) = delete;
    FileWorker& operator=(const FileWorker&) = delete;
    ~FileWorker();

    // Starts the job; done is called once it has run, on the worker's
    // thread (or on this one, before Start returns, when no thread can be
    // had). done must only tell the owner, e.g. post a message.
    void Start(std::unique_ptr<FileJob> job, std::function<void()> done);

    // Waits for the thread, then hands the job back; null when none ran.
    std::unique_ptr<FileJob> Finish();

    bool IsBusy() const { return job_ != nullptr; }

private:
    std::unique_ptr<FileJob> job_;
    std::thread thread_;
};

}  // namespace keyloom
