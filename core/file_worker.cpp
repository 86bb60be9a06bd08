#include "core/file_worker.h"

#include <system_error>

namespace keyloom {

FileWorker::~FileWorker() {
    if (thread_.joinable()) thread_.join();
}

void FileWorker::Start(std::unique_ptr<FileJob> job, std::function<void()> done) {
    if (thread_.joinable()) thread_.join();
    job_ = std::move(job);
    FileJob* running = job_.get();
    try {
        thread_ = std::thread([running, done] {
            RunFileJob(*running);
            done();
        });
    } catch (const std::system_error&) {
        // No thread to be had: the job runs here.
        RunFileJob(*running);
        done();
    }
}

std::unique_ptr<FileJob> FileWorker::Finish() {
    if (thread_.joinable()) thread_.join();
    return std::move(job_);
}

}  // namespace keyloom
