// A Windows scheme's install.inf: any bytes give a scheme (maybe empty) with sound file names,
// never a crash; a scheme kurzory writes reads back with its name and every role's file.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "kurzory/install_inf.h"
#include "kurzory/utf16_text.h"

namespace {

// Whether the text is well-formed UTF-8: every later step (folder names, messages) assumes it.
bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5                ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// What a scheme a reader returns always is: roles once each in the table's order, bare file names.
void CheckScheme(const kurzory::CursorScheme& scheme) {
    for (std::size_t i = 0; i < scheme.files.size(); ++i) {
        const kurzory::SchemeFile& file = scheme.files[i];
        FUZZ_CHECK(file.role != nullptr);
        if (i > 0) FUZZ_CHECK(kurzory::RoleIndex(*scheme.files[i - 1].role) < kurzory::RoleIndex(*file.role));
        FUZZ_CHECK(!file.fileName.empty());
        FUZZ_CHECK(file.fileName.find_first_of("\\/%") == std::string::npos);
    }
}

// A name as a designer gives one: Czech letters and the characters INF files treat specially
// (quotes, "%", ";", "=", "," and brackets), no line breaks and no blanks at either end.
std::string Name(FuzzInput& input, std::string_view alphabet) {
    static const char* const kLetters[] = {"ž", "ů", "Č", "ř"};
    std::string name;
    for (std::size_t length = input.Below(12); name.size() < length;) {
        const std::size_t pick = input.Below(alphabet.size() + 4);
        name += pick < alphabet.size() ? std::string(1, alphabet[pick]) : kLetters[pick - alphabet.size()];
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    if (input.Byte() % 4 != 0) {
        // Any file: decoded from whatever encoding its start suggests, then read.
        const std::vector<std::uint8_t> bytes = input.Rest();
        const std::string text = kurzory::TextFileAsUtf8(bytes);
        FUZZ_CHECK(IsUtf8(text));
        CheckScheme(kurzory::ReadInstallInf(text));
        return 0;
    }

    // A scheme as `kurzory sada` makes one. File names may not hold "%" (the reader takes a name
    // left with "%" for an unexpanded key), "," (the scheme value's separator) or a path separator.
    kurzory::CursorScheme scheme;
    scheme.name = Name(input, "abc AZ09.-_\"%;=,[]()!&'");
    for (const kurzory::CursorRole& role : kurzory::CursorRoles())
        if (input.Flag()) {
            std::string fileName = Name(input, "abc AZ09.-_\";=[]()!&'");
            if (!fileName.empty()) scheme.files.push_back({&role, fileName + (input.Flag() ? ".cur" : ".ani")});
        }
    const std::vector<std::uint8_t> bytes = kurzory::InstallInfBytes(scheme);
    const kurzory::CursorScheme read = kurzory::ReadInstallInf(kurzory::TextFileAsUtf8(bytes));
    CheckScheme(read);
    FUZZ_CHECK(read.name == scheme.name);
    FUZZ_CHECK(read.files.size() == scheme.files.size());
    for (std::size_t i = 0; i < read.files.size(); ++i) {
        FUZZ_CHECK(read.files[i].role == scheme.files[i].role);
        FUZZ_CHECK(read.files[i].fileName == scheme.files[i].fileName);
    }
    return 0;
}
