// The word reader of the data files: the input's first bytes choose a sequence
// of reads (number, integer, line), the rest is the text, read both as a text
// given whole and as a file (read as the reading goes). Reads either give a
// value or throw EReadError; the position never goes backwards past the data;
// the file gives what the text gives, except that the last item of a file
// without a final line end is refused as possibly cut.

#include <optional>
#include <string>

#include "fuzz_support.hpp"
#include "model/EReadError.hpp"
#include "model/TWordReader.hpp"

using namespace orvane;

namespace {

// What one read gave: its value (or line), or its error.
struct Read {
    std::optional<std::string> value;
    std::string error;
};

Read readOne(TWordReader& words, int op)
{
    Read r;
    try {
        if (op == 0) r.value = words.readLine();
        else if (op == 1) r.value = std::to_string(words.readInteger());
        else r.value = std::to_string(words.readReal());
    } catch (const EReadError& e) {
        r.error = e.what();
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const uint32_t script = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    const std::string_view text = fuzz::text(data + 4, size - 4);
    TWordReader words = TWordReader::fromText(text);
    const std::filesystem::path path = fuzz::privateFolder() / "words.ov5d";
    fuzz::writeBytes(path, text);
    TWordReader file(path);
    int lastLine = 0;
    for (int k = 0; k < 4096 && !words.endOfData(); ++k) {
        const int op = script >> (2 * (k % 16)) & 3;
        const Read whole = readOne(words, op);
        const Read read = readOne(file, op);
        if (read.value != whole.value || read.error != whole.error)
            fuzz::require(!read.value && read.error.find("without a line end") != std::string::npos,
                          "the file reads otherwise than the text: " + read.error + " / " + whole.error);
        if (!whole.value || !read.value) break;
        (void)words.itemCount();
        fuzz::require(file.itemCount() == words.itemCount(), "the file's line has other items than the text's");
        const TWordReader::Position p = words.position();
        fuzz::require(p.line >= 0 && p.item >= 0, "negative reading position");
        fuzz::require(p.line >= lastLine, "the reading position went back a line");
        const TWordReader::Position q = file.position();
        fuzz::require(q.line == p.line && q.item == p.item, "the file's reading position is not the text's");
        lastLine = p.line;
    }
    return 0;
}
