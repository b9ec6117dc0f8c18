#pragma once
// The filter subcommand, shared by the executable and the full command set.

#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "platform/picture_decoder.h"

namespace glifora::cli {

// What differs between the executable's filter and the full one: how the
// picture is read (nullopt: not by this reader) and how PNG is written
// (null: not here; the job is then left to the full command set).
struct FilterIo {
    std::optional<PictureLoad> (*decode)(const std::string& path);
    bool (*savePng)(const Raster& picture, const std::string& path, std::string* why);
};

// Runs `glifora filter` with `io`; kExitElsewhere, before anything is
// written, when `io` cannot read the picture or write the output.
int RunFilterWith(const ParsedArgs& args, const FilterIo& io);

}  // namespace glifora::cli
