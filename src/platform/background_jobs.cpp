#include "platform/background_jobs.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {
struct JobQueue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> waiting;
    bool running = false;  // a job is out of the queue and not finished
    bool started = false;
};

// Never destroyed: jobs may still be given by exit handlers that run after
// static objects would have gone.
JobQueue& jobs() {
    static JobQueue* queue = new JobQueue;
    return *queue;
}

void work() {
    JobQueue& queue = jobs();
    std::unique_lock lock(queue.mutex);
    for (;;) {
        queue.changed.wait(lock, [&] { return !queue.waiting.empty(); });
        std::function<void()> job = std::move(queue.waiting.front());
        queue.waiting.pop_front();
        queue.running = true;
        lock.unlock();
        job();
        lock.lock();
        queue.running = false;
        queue.changed.notify_all();
    }
}
}  // namespace

void runInBackground(std::function<void()> job) {
    JobQueue& queue = jobs();
    const std::lock_guard lock(queue.mutex);
    if (!queue.started) {
        // The worker waits for jobs as long as the process lives; the exit
        // handler waits for the jobs, not for the thread.
        std::thread(work).detach();
        queue.started = true;
    }
    queue.waiting.push_back(std::move(job));
    queue.changed.notify_all();
}

void finishBackgroundJobs() {
    JobQueue& queue = jobs();
    std::unique_lock lock(queue.mutex);
    queue.changed.wait(lock, [&] { return queue.waiting.empty() && !queue.running; });
}
