// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/zip_archive.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace zeru::report {
namespace {

[[noreturn]] void fail(const std::string& what, zip_error_t* error) {
    const std::string reason = what + ": " + zip_error_strerror(error);
    zip_error_fini(error);
    throw std::runtime_error(reason);
}

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

// The bytes an in-memory source holds once its archive is closed.
std::string sourceBytes(zip_source_t* source) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) != 0)
        fail("Cannot read the archive back", zip_source_error(source));
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        fail("Cannot read the archive back", zip_source_error(source));
    return bytes;
}

}  // namespace

std::string zipArchive(const std::vector<ArchiveFile>& files) {
    zip_error_t error;
    zip_error_init(&error);
    Source memory(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!memory) fail("Cannot make the archive", &error);
    zip_t* archive = zip_open_from_source(memory.get(), ZIP_TRUNCATE, &error);
    if (archive == nullptr) fail("Cannot make the archive", &error);
    // The archive owns the source from here; the source must outlive its close.
    zip_source_keep(memory.get());
    for (const ArchiveFile& file : files) {
        zip_source_t* content = zip_source_buffer(archive, file.bytes.data(), file.bytes.size(), 0);
        if (content == nullptr || zip_file_add(archive, file.name.c_str(), content, ZIP_FL_ENC_UTF_8) < 0) {
            if (content != nullptr) zip_source_free(content);
            const std::string reason =
                "Cannot add " + file.name + " to the archive: " + zip_strerror(archive);
            zip_discard(archive);
            throw std::runtime_error(reason);
        }
    }
    if (zip_close(archive) != 0) {
        const std::string reason = std::string("Cannot make the archive: ") + zip_strerror(archive);
        zip_discard(archive);
        throw std::runtime_error(reason);
    }
    return sourceBytes(memory.get());
}

}  // namespace zeru::report
