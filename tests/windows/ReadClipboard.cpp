// Writes the text on the Windows clipboard, as a Windows program reads it
// (GetClipboardData), to the file named on the command line, in UTF-8 and
// byte for byte: the end-to-end run under Wine checks its line ends there,
// since Wine hands text to the X clipboard with LF alone.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 2 || !OpenClipboard(nullptr))
        return 2;
    std::string bytes;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            bytes.resize(size > 0 ? size_t(size) : 1);
            WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
            bytes.pop_back();  // the closing NUL
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    FILE* out = _wfopen(argv[1], L"wb");
    if (!out)
        return 3;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 3;
}
