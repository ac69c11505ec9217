// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/zip_archive.h"

#include <zip.h>

#include <memory>

namespace zeru::report {
namespace {

Failure failed(const std::string& what, zip_error_t* error) {
    std::string reason = what + ": " + zip_error_strerror(error);
    zip_error_fini(error);
    return Failure::of(FailureKind::ImageRefused, std::move(reason));
}

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

// The bytes an in-memory source holds once its archive is closed.
Result<std::string> sourceBytes(zip_source_t* source) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) != 0)
        return failed("Cannot read the archive back", zip_source_error(source));
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        return failed("Cannot read the archive back", zip_source_error(source));
    return bytes;
}

}  // namespace

Result<std::string> zipArchive(const std::vector<ArchiveFile>& files) {
    zip_error_t error;
    zip_error_init(&error);
    Source memory(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!memory) return failed("Cannot make the archive", &error);
    zip_t* archive = zip_open_from_source(memory.get(), ZIP_TRUNCATE, &error);
    if (archive == nullptr) return failed("Cannot make the archive", &error);
    // The archive owns the source from here; the source must outlive its close.
    zip_source_keep(memory.get());
    for (const ArchiveFile& file : files) {
        zip_source_t* content = zip_source_buffer(archive, file.bytes.data(), file.bytes.size(), 0);
        if (content == nullptr || zip_file_add(archive, file.name.c_str(), content, ZIP_FL_ENC_UTF_8) < 0) {
            if (content != nullptr) zip_source_free(content);
            std::string reason = "Cannot add " + file.name + " to the archive: " + zip_strerror(archive);
            zip_discard(archive);
            return Failure::of(FailureKind::ImageRefused, std::move(reason));
        }
    }
    if (zip_close(archive) != 0) {
        std::string reason = std::string("Cannot make the archive: ") + zip_strerror(archive);
        zip_discard(archive);
        return Failure::of(FailureKind::ImageRefused, std::move(reason));
    }
    return sourceBytes(memory.get());
}

}  // namespace zeru::report
