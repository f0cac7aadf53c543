#include "read_only_access.h"

#include <gtest/gtest.h>
#include <sddl.h>

namespace {

void SetAccess(HKEY root, const std::string& key, const char* sddl) {
    HKEY handle = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(root, key.c_str(), 0, READ_CONTROL | WRITE_DAC, &handle),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                       &descriptor, nullptr));
    EXPECT_EQ(::RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    ::LocalFree(descriptor);
    ::RegCloseKey(handle);
}

}  // namespace

ReadOnlyAccess::ReadOnlyAccess(HKEY root, const std::string& key) : m_root(root), m_key(key) {
    SetAccess(m_root, m_key, "D:P(A;;KR;;;WD)");
}

ReadOnlyAccess::~ReadOnlyAccess() { SetAccess(m_root, m_key, "D:P(A;;KA;;;WD)"); }
