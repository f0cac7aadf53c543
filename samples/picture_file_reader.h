#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "afxwin.h"
#include "picture_reading.h"

// Picture files read on threads of their own (ReadPictureFile), so the window keeps answering
// while a large one decodes. One reading counts at a time: a new one abandons the one before,
// which stops at its next band and is never taken. When the reading that counts is done, the
// message given to Start is posted; the window then takes the reading. The destructor abandons
// every reading and waits for their threads.
class PictureFileReader {
public:
    PictureFileReader() = default;
    ~PictureFileReader();
    PictureFileReader(const PictureFileReader&) = delete;
    PictureFileReader& operator=(const PictureFileReader&) = delete;

    struct Message {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    // FALSE, nothing read, when no thread can be started.
    bool Start(const CStringW& path, Message done);
    // A reading runs whose result has not been taken.
    bool Busy() const;
    // The reading that counts, once it is done; nothing for the message of one abandoned since.
    std::optional<PictureReading> TakeFinished();

private:
    // Owned here; its thread is waited for before it goes.
    struct Job {
        CStringW path;
        Message done;
        std::atomic<bool> abandoned{false};
        std::atomic<bool> over{false};
        PictureReading reading;  // the thread's until `over`, then the window's
        bool taken = false;
        CWorkerThread thread;  // last: the first to go, waited for
    };
    static void Run(void* job);
    void JoinFinished();

    Job* m_current = nullptr;  // the reading that counts, among m_jobs
    std::vector<std::unique_ptr<Job>> m_jobs;
};
