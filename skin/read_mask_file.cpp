#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "skin/mask_file.h"

namespace qv {
namespace {

// A mask is a few hundred kilobytes; anything near this is not one, so it is not read.
constexpr std::uintmax_t kMaxMaskFileBytes = std::uintmax_t{64} << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

MaskFileResult Refuse(const std::filesystem::path& path, const std::string& reason) {
  return {std::nullopt, path.string() + ": " + reason};
}

}  // namespace

MaskFileResult ReadMaskFile(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) {
    return Refuse(path, "file not found");
  }
  if (ec) return Refuse(path, "cannot access file: " + ec.message());
  if (status.type() == std::filesystem::file_type::directory) {
    return Refuse(path, "is a directory, not a file");
  }
  if (status.type() != std::filesystem::file_type::regular) {
    return Refuse(path, "not a regular file");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return Refuse(path, "cannot read file size: " + ec.message());
  if (size > kMaxMaskFileBytes) {
    return Refuse(path, "file too large for a mask (" + std::to_string(size) + " bytes, at most " +
                            std::to_string(kMaxMaskFileBytes) + ")");
  }

  errno = 0;
  const FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return Refuse(path, "cannot open file: " + std::generic_category().message(errno));
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  // A file that shrank since it was measured is parsed as what is left, and refused as such.
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  if (std::ferror(file.get())) {
    return Refuse(path, "read error: " + std::generic_category().message(errno));
  }

  MaskFileResult parsed = ParseMaskFile(bytes);
  if (!parsed.mask) return Refuse(path, parsed.error);
  return parsed;
}

}  // namespace qv
