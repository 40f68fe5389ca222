// The Windows error codes the operating-system layer answers with, under their Win32 meaning.
#pragma once

namespace os {

constexpr unsigned long errorSuccess = 0;
constexpr unsigned long errorFileNotFound = 2;
constexpr unsigned long errorAccessDenied = 5;
constexpr unsigned long errorInvalidHandle = 6;
constexpr unsigned long errorInvalidData = 13;
constexpr unsigned long errorNotSupported = 50;
constexpr unsigned long errorInvalidParameter = 87;
constexpr unsigned long errorMoreData = 234;
constexpr unsigned long errorNoMoreItems = 259;
// A name or text has a character the system code page cannot hold.
constexpr unsigned long errorNoUnicodeTranslation = 1113;

} // namespace os
