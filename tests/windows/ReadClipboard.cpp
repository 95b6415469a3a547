// Writes the clipboard's text as a Windows program reads it (GetClipboardData), in UTF-8 byte for byte, to the file
// named on the command line: the run under Wine checks its line ends here, since Wine gives X the text with LF alone.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    std::string bytes;
    HANDLE data = argc == 2 && OpenClipboard(nullptr) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    if (const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
        bytes.resize(size_t(std::max(1, WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr))));
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), int(bytes.size()), nullptr, nullptr);
        bytes.pop_back();  // the closing NUL
        GlobalUnlock(data);
    }
    CloseClipboard();
    FILE* out = argc == 2 ? _wfopen(argv[1], L"wb") : nullptr;
    const bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return out && std::fclose(out) == 0 && written ? 0 : 2;
}
