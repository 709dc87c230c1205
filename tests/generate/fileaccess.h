#pragma once

// Who saves a file and what the file allows, for tests that run as the superuser: the identity
// of a user, the superuser without CAP_FOWNER, and a file's access-control list and user
// attributes.

#include <grp.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tables.h"

namespace testing_support {

inline constexpr uid_t kUser = 4242;

// For as long as it lives, the superuser is the user 4242 (or `user`), a member of `group`, as far
// as files can tell: the superuser's own rights would hide what a user meets.
struct AsUser {
  explicit AsUser(gid_t group, uid_t user = kUser)
      : ok(setgroups(1, &group) == 0 && setegid(user) == 0 && seteuid(user) == 0) {}
  ~AsUser() { (void)(seteuid(0) == 0 && setegid(0) == 0 && setgroups(0, nullptr) == 0); }
  const bool ok;
};

// For as long as it lives, the superuser may give files away but not act as the owner of others'
// files (set their permissions or access-control lists), as a service without CAP_FOWNER may.
struct WithoutFowner {
  static bool keep(bool fowner) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    data[0].effective =
        fowner ? data[0].effective | 1u << CAP_FOWNER : data[0].effective & ~(1u << CAP_FOWNER);
    return syscall(SYS_capset, &header, data) == 0;
  }
  ~WithoutFowner() { keep(true); }
  const bool ok = keep(false);
};

// The extended attribute of the access-control list `text`, written as getfacl writes it in short
// form ("u::rw-,u:4343:r--,g::rw-,m::rw-,o::---"): a version 2 header, then each entry's kind,
// permissions and user or group (all ones for none), little-endian, in the system's order.
inline std::string accessList(const std::string& text) {
  std::string bytes;
  const auto put = [&](uint32_t value, int length) {
    for (int i = 0; i < length; ++i, value >>= 8) bytes += static_cast<char>(value & 0xFF);
  };
  put(2, 4);
  const std::map<std::string, uint32_t> kinds = {{"u", 1}, {"g", 4}, {"m", 0x10}, {"o", 0x20}};
  for (const std::string& entry : tables::split(text, ',')) {
    const std::vector<std::string> parts = tables::split(entry, ':');
    const bool named = !parts.at(1).empty();  // a named user (kind 2) or group (8)
    put(kinds.at(parts[0]) * (named ? 2 : 1), 2);
    put((parts[2][0] == 'r') * 4 + (parts[2][1] == 'w') * 2 + (parts[2][2] == 'x'), 2);
    put(named ? std::stoul(parts[1]) : 0xFFFFFFFF, 4);
  }
  return bytes;
}

// The access-control list and the attribute user.origin of `file`, by name, where it has them;
// from a table's cell, an access-control list as getfacl writes it and "name=value" pairs, apart
// by blanks.
using Attributes = std::map<std::string, std::string>;
inline constexpr const char* kAccessList = "system.posix_acl_access";
inline Attributes attributesOf(const std::filesystem::path& file) {
  Attributes found;
  for (const char* name : {kAccessList, "user.origin"}) {
    std::string value(4096, '\0');
    const ssize_t length = getxattr(file.c_str(), name, value.data(), value.size());
    if (length >= 0) found[name] = value.substr(0, static_cast<size_t>(length));
  }
  return found;
}
inline Attributes attributesOf(const std::string& cell) {
  Attributes attributes;
  for (const std::string& item : tables::split(cell, ' ')) {
    const size_t is = item.find('=');
    if (is != std::string::npos) attributes[item.substr(0, is)] = item.substr(is + 1);
    if (is == std::string::npos && !item.empty()) attributes[kAccessList] = accessList(item);
  }
  return attributes;
}

}  // namespace testing_support
