// The profile-file reader and editor: parsing gives the bytes back unchanged,
// and a value set is the value read back, with every section still there.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (glifora::TextLines::Parse(bytes).Bytes() != bytes) std::abort();
    glifora::ProfileFile file = glifora::ProfileFile::Parse(bytes);
    const auto sections = file.Sections();
    for (const auto& name : sections) (void)file.Value(name, "Fuente");
    if (!file.SetValue("Opciones", "Tama\xF1o", "12")) return 0;
    const glifora::ProfileFile again = glifora::ProfileFile::Parse(file.Bytes());
    if (again.Value("OPCIONES", "TAMA\xD1O") != "12") std::abort();
    if (again.Sections().size() < sections.size()) std::abort();
    return 0;
}
