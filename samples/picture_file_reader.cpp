#include "picture_file_reader.h"

#include <new>
#include <system_error>

#include "picture_fault_text.h"
#include "picture_file.h"

PictureFileReader::~PictureFileReader() {
    for (auto& [job, thread] : m_threads) job->abandoned = true;
    for (auto& [job, thread] : m_threads) thread.join();
}

bool PictureFileReader::Start(const CStringW& path, Message done) {
    JoinFinished();
    try {
        auto job = std::make_shared<Job>();
        job->path = path;
        job->done = done;
        m_threads.reserve(m_threads.size() + 1);  // so that nothing throws once the thread runs
        std::thread thread(&PictureFileReader::Run, job);
        if (m_current) m_current->abandoned = true;
        m_current = job;
        m_threads.emplace_back(std::move(job), std::move(thread));
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::system_error&) {
    }
    return false;
}

bool PictureFileReader::Busy() const { return m_current && !m_current->taken; }

std::optional<PictureReading> PictureFileReader::TakeFinished() {
    if (!m_current || m_current->taken || !m_current->over.load(std::memory_order_acquire))
        return std::nullopt;
    m_current->taken = true;
    std::optional<PictureReading> reading(std::move(m_current->reading));
    m_current.reset();
    JoinFinished();
    return reading;
}

// A thread whose job is over has only its return left: joining it waits for nothing.
void PictureFileReader::JoinFinished() {
    for (auto it = m_threads.begin(); it != m_threads.end();) {
        if (!it->first->over.load(std::memory_order_acquire)) {
            ++it;
            continue;
        }
        it->second.join();
        it = m_threads.erase(it);
    }
}

void PictureFileReader::Run(std::shared_ptr<Job> job) noexcept {
    try {
        job->reading = ReadPictureFile(job->path, &job->abandoned);
    } catch (...) {
        try {
            job->reading = {{}, kNoMemoryForPicture};
        } catch (...) {
            job->reading = {};  // no pixels: taking it in fails, and says so
        }
    }
    const bool abandoned = job->abandoned;
    const Message done = job->done;
    job->over.store(true, std::memory_order_release);
    if (!abandoned) ::PostMessageW(done.window, done.message, done.wParam, done.lParam);
}
