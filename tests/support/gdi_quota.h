#pragma once

#include <windows.h>

#include <vector>

// Takes every GDI handle the process may still create, so the next creation fails. The handle
// table of a process is bounded (about 65,500 under Wine), so this takes a few milliseconds.
class GdiQuotaHog {
public:
    GdiQuotaHog();
    ~GdiQuotaHog() { Release(); }
    GdiQuotaHog(const GdiQuotaHog&) = delete;
    GdiQuotaHog& operator=(const GdiQuotaHog&) = delete;

    // Gives back this many handles, so that many creations succeed again.
    void Free(size_t count);
    void Release() { Free(m_brushes.size()); }
    size_t Held() const { return m_brushes.size(); }

private:
    std::vector<HBRUSH> m_brushes;
};

// How many more GDI objects the process can create: a leak shrinks it.
size_t GdiHeadroom();
