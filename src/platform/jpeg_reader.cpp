#include "platform/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "platform/picture_decoder.h"

namespace glifora {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer is ours too
    jmp_buf jump;
    bool truncated = false;
    bool tooManyScans = false;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    // A file cut short is reported by libjpeg as a warning and padded with
    // grey; here it is a failed load like any other broken picture.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(cinfo->err)->truncated = true;
}

// Progressive files decode every scan over the whole picture; a file of
// thousands of tiny scans would take minutes. No encoder writes this many.
constexpr int kMaxScans = 500;

void OnProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > kMaxScans) {
        reinterpret_cast<ErrorManager*>(cinfo->err)->tooManyScans = true;
        longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
    }
}

}  // namespace

struct JpegReader::State {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    FILE* file = nullptr;
    bool created = false;
    bool started = false;
    bool cmyk = false;
    std::vector<uint8_t> cmykRow;
    std::string error;
    std::function<std::pair<int, int>(int, int)> minimumSize;
};

JpegReader::JpegReader() : s_(std::make_unique<State>()) {}

JpegReader::~JpegReader() {
    if (s_->created) jpeg_destroy_decompress(&s_->cinfo);
    if (s_->file) std::fclose(s_->file);
}

bool JpegReader::LooksLikeJpeg(const uint8_t* data, size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

namespace {

// Runs `body`, turning a libjpeg error (which longjmps out of the library) into
// a false result with the library's message. Nothing in this frame changes
// between setjmp and the jump.
template <typename State, typename Body>
bool Guarded(State& s, Body&& body) {
    if (setjmp(s.err.jump)) {
        if (s.err.tooManyScans) {
            s.error = "imagen JPEG con demasiadas pasadas";
            return false;
        }
        char buffer[JMSG_LENGTH_MAX] = {0};
        (*s.cinfo.err->format_message)(reinterpret_cast<j_common_ptr>(&s.cinfo), buffer);
        s.error = std::string("imagen JPEG dañada (") + buffer + ")";
        return false;
    }
    return body();
}

}  // namespace

bool JpegReader::StartDecompress(State& s) {
    // libjpeg's own buffers (whole-picture coefficients of progressive files)
    // are held to the same limit as the picture.
    s.cinfo.mem->max_memory_to_use = static_cast<long>(kDecodeByteLimit);
    s.progress.progress_monitor = OnProgress;
    s.cinfo.progress = &s.progress;
    jpeg_read_header(&s.cinfo, TRUE);
    const uint64_t bytes = static_cast<uint64_t>(s.cinfo.image_width) * s.cinfo.image_height * 4;
    if (s.cinfo.image_width == 0 || s.cinfo.image_height == 0) {
        s.error = "imagen JPEG sin píxeles";
        return false;
    }
    if (bytes > kDecodeByteLimit) {
        s.error = "imagen demasiado grande";
        return false;
    }
    if (s.minimumSize) {
        const auto [mw, mh] = s.minimumSize(static_cast<int>(s.cinfo.image_width),
                                            static_cast<int>(s.cinfo.image_height));
        unsigned num = 1;
        auto scaled = [](uint64_t size, unsigned n) { return (size * n + 7) / 8; };
        while (num < 8 && (scaled(s.cinfo.image_width, num) < static_cast<uint64_t>(mw) ||
                           scaled(s.cinfo.image_height, num) < static_cast<uint64_t>(mh)))
            ++num;
        s.cinfo.scale_num = num;
        s.cinfo.scale_denom = 8;
    }
    s.cmyk = s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK;
    s.cinfo.out_color_space = s.cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&s.cinfo);
    if (s.cmyk) s.cmykRow.resize(static_cast<size_t>(s.cinfo.output_width) * 4);
    s.started = true;
    return true;
}

bool JpegReader::OpenFile(const std::string& path) {
    return Open(path);
}

bool JpegReader::OpenFileScaled(const std::string& path,
                                const std::function<std::pair<int, int>(int, int)>& minimumSize) {
    s_->minimumSize = minimumSize;
    return Open(path);
}

bool JpegReader::Open(const std::string& path) {
    s_->file = std::fopen(path.c_str(), "rb");
    if (!s_->file) {
        s_->error = "no se puede leer el archivo";
        return false;
    }
    s_->cinfo.err = jpeg_std_error(&s_->err.pub);
    s_->err.pub.error_exit = OnError;
    s_->err.pub.emit_message = OnMessage;
    State& s = *s_;
    return Guarded(s, [&s] {
        jpeg_create_decompress(&s.cinfo);
        s.created = true;
        jpeg_stdio_src(&s.cinfo, s.file);
        return StartDecompress(s);
    });
}

bool JpegReader::OpenMemory(const uint8_t* data, size_t size) {
    s_->cinfo.err = jpeg_std_error(&s_->err.pub);
    s_->err.pub.error_exit = OnError;
    s_->err.pub.emit_message = OnMessage;
    State& s = *s_;
    return Guarded(s, [&s, data, size] {
        jpeg_create_decompress(&s.cinfo);
        s.created = true;
        jpeg_mem_src(&s.cinfo, data, static_cast<unsigned long>(size));
        return StartDecompress(s);
    });
}

int JpegReader::Width() const {
    return s_->started ? static_cast<int>(s_->cinfo.output_width) : 0;
}
int JpegReader::Height() const {
    return s_->started ? static_cast<int>(s_->cinfo.output_height) : 0;
}
int JpegReader::NextRow() const {
    return s_->started ? static_cast<int>(s_->cinfo.output_scanline) : 0;
}
const std::string& JpegReader::Error() const {
    return s_->error;
}

bool JpegReader::ReadRow(uint8_t* bgrx) {
    if (!s_->started || s_->cinfo.output_scanline >= s_->cinfo.output_height) return false;
    State& s = *s_;
    JSAMPROW row = s.cmyk ? s.cmykRow.data() : bgrx;
    const bool read =
        Guarded(s, [&s, row]() mutable { return jpeg_read_scanlines(&s.cinfo, &row, 1) == 1; });
    if (!read) {
        if (s.error.empty()) s.error = "imagen JPEG incompleta";
        return false;
    }
    if (s_->err.truncated) {
        s_->error = "imagen JPEG incompleta";
        return false;
    }
    if (s_->cmyk) {
        // Adobe writes CMYK inverted; ink = 255 - value, so the product of
        // channel and black gives the visible colour directly.
        const uint8_t* in = s_->cmykRow.data();
        for (unsigned x = 0; x < s_->cinfo.output_width; ++x, in += 4, bgrx += 4) {
            const int k = in[3];
            bgrx[0] = static_cast<uint8_t>(k * in[2] / 255);
            bgrx[1] = static_cast<uint8_t>(k * in[1] / 255);
            bgrx[2] = static_cast<uint8_t>(k * in[0] / 255);
            bgrx[3] = 0xFF;
        }
    }
    return true;
}

bool JpegReader::SkipRows(int count) {
    if (count <= 0) return true;
    if (!s_->started) return false;
    State& s = *s_;
    const bool skipped = Guarded(s, [&s, count] {
        return jpeg_skip_scanlines(&s.cinfo, static_cast<JDIMENSION>(count)) ==
               static_cast<JDIMENSION>(count);
    });
    if (!skipped || s.err.truncated) {
        if (!s.error.empty()) return false;
        s_->error = "imagen JPEG incompleta";
        return false;
    }
    return true;
}

}  // namespace glifora
