// The data-file reader under each layout (the first byte chooses it), with the
// round trip: a project read without error saves (the writer refuses nothing
// the reader took), its text reads back without error, and saving that gives
// the same text again.

#include <string>

#include "fuzz_support.hpp"
#include "model/EWriteError.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"

using namespace orvane;

namespace {

std::string saved(TProject& project, const char* which)
{
    try {
        return TDataFileWriter(project).dataFileText();
    } catch (const EWriteError& e) {
        fuzz::propertyFailed(std::string(which) + " project read without error cannot be saved: " + e.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static constexpr TLayout kLayouts[] = {TLayout::Current, TLayout::V2013, TLayout::V30, TLayout::V20};
    const TLayout layout = kLayouts[data[0] % 4];
    TProject project;
    if (TDataFileReader::readProjectText(project, fuzz::text(data + 1, size - 1), layout)) return 0;
    const std::string first = saved(project, "a");

    TProject again;
    if (const auto error = TDataFileReader::readProjectText(again, first, TLayout::Current))
        fuzz::propertyFailed("the saved text does not read back: " + *error + "\n--- saved text:\n" + first);
    const std::string second = saved(again, "the re-read");
    fuzz::require(second == first, "saving the re-read project changes the text\n--- first:\n" + first +
                                       "\n--- second:\n" + second);
    return 0;
}
