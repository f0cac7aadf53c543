#include "picture_file_reader.h"

#include <new>

#include "picture_fault_text.h"
#include "picture_file.h"

PictureFileReader::~PictureFileReader() {
    for (const auto& job : m_jobs) job->abandoned = true;
    m_jobs.clear();  // each waits for its thread
}

bool PictureFileReader::Start(const CStringW& path, Message done) {
    JoinFinished();
    try {
        auto job = std::make_unique<Job>();
        job->path = path;
        job->done = done;
        m_jobs.reserve(m_jobs.size() + 1);  // so that nothing throws once the thread runs
        if (!job->thread.Start(&PictureFileReader::Run, job.get())) return false;
        if (m_current) m_current->abandoned = true;
        m_current = job.get();
        m_jobs.push_back(std::move(job));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool PictureFileReader::Busy() const { return m_current && !m_current->taken; }

std::optional<PictureReading> PictureFileReader::TakeFinished() {
    if (!m_current || m_current->taken || !m_current->over.load(std::memory_order_acquire))
        return std::nullopt;
    m_current->taken = true;
    std::optional<PictureReading> reading(std::move(m_current->reading));
    m_current = nullptr;
    JoinFinished();
    return reading;
}

// A thread whose job is over has only its return left: waiting for it waits for nothing.
void PictureFileReader::JoinFinished() {
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (it->get() == m_current || !(*it)->over.load(std::memory_order_acquire)) {
            ++it;
            continue;
        }
        it = m_jobs.erase(it);
    }
}

void PictureFileReader::Run(void* argument) {
    Job& job = *static_cast<Job*>(argument);
    try {
        job.reading = ReadPictureFile(job.path, &job.abandoned);
    } catch (...) {
        try {
            job.reading = {{}, kNoMemoryForPicture};
        } catch (...) {
            job.reading = {};  // no pixels: taking it in fails, and says so
        }
    }
    const bool abandoned = job.abandoned;
    const Message done = job.done;
    job.over.store(true, std::memory_order_release);
    if (!abandoned) ::PostMessageW(done.window, done.message, done.wParam, done.lParam);
}
