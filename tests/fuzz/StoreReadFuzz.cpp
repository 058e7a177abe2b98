// Fuzz target store_read: a list of stored objects read back through the typed store from an
// arbitrary INI section, as a damaged or hostile info.ini gives it. The input is "key=value" lines.
// Reading must end in a value list or Serialize::Error, never in a crash, a hang or a giant
// allocation (an absurd count with few records stops at the first missing record).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MemoryStore.h"
#include "Records.h"
#include "serialize/Error.h"
#include "serialize/TargetIsVector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryStore store;
    std::istringstream lines(UpToZero(InputText(data, size)));
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            store.values[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }

    std::vector<Point> points(2);
    Serialize::TargetIsVector<Point> target(points);
    try {
        store.ReadObject("info", target);
    } catch (const Serialize::Error&) {
        // A missing value: what the restore gets for a damaged file.
        return 0;
    }
    // Every point read had both of its values, so the list cannot outgrow the stored keys.
    FUZZ_CHECK(points.size() * 2 + 1 <= store.values.size());
    FUZZ_CHECK(store.CurrentPath().empty());
    return 0;
}
