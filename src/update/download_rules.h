// When a downloaded file counts as whole, and what a program file must begin with. A download
// replaces nothing unless it passes these rules, so an error page or a cut-off body never takes
// the place of a working file.
#pragma once
#include <cstdint>
#include <string_view>

namespace scrubwell {

// The announced length of a response: the Content-Length text as a number, or -1 when there
// is none or it is not a plain decimal number.
int64_t announcedLength(std::string_view contentLength);

// A finished download is whole when the status is 200, something arrived, and, when a length was
// announced (announced >= 0), exactly that many bytes arrived.
bool isWholeDownload(unsigned long status, int64_t announced, int64_t received);

// True for names whose files the system runs or loads: programs (.exe, .com, .scr) and
// libraries (.dll, .ocx, .cpl).
bool isExecutableName(std::string_view name);

// How many leading bytes looksLikeExecutable needs to see at most.
constexpr size_t kExecutableHeaderBytes = 4096;

// True when `head` (the first bytes of a file) starts with a DOS header "MZ" whose new-header
// offset (at 0x3C) points, within the first kExecutableHeaderBytes, at the signature "PE\0\0".
bool looksLikeExecutable(std::string_view head);

// The percentage of `received` out of `total` (0 when total is not positive), in 64 bits so that
// large files do not overflow; above 100 when more arrived than announced.
int64_t percentReceived(int64_t received, int64_t total);

}  // namespace scrubwell
