// The word reader of the data files: the input's first bytes choose a sequence
// of reads (number, integer, line), the rest is the text. Reads either give a
// value or throw EReadError; the position never goes backwards past the data.

#include <string>

#include "fuzz_support.hpp"
#include "model/EReadError.hpp"
#include "model/TWordReader.hpp"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const uint32_t script = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    TWordReader words = TWordReader::fromText(fuzz::text(data + 4, size - 4));
    int lastLine = 0;
    for (int k = 0; k < 4096 && !words.endOfData(); ++k) {
        const int op = script >> (2 * (k % 16)) & 3;
        try {
            if (op == 0) (void)words.readLine();
            else if (op == 1) (void)words.readInteger();
            else {
                const double v = words.readReal();
                (void)v;
            }
        } catch (const EReadError&) {
            break;
        }
        (void)words.itemCount();
        const TWordReader::Position p = words.position();
        fuzz::require(p.line >= 0 && p.item >= 0, "negative reading position");
        fuzz::require(p.line >= lastLine, "the reading position went back a line");
        lastLine = p.line;
    }
    return 0;
}
