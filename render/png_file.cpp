#include "render/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace lorvix {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp; keeping everything that needs cleaning
// up outside this function means nothing leaks when it jumps.
bool WriteRows(FILE* file, int width, int height, std::vector<png_bytep>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const Bitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return false;
  std::vector<png_byte> bytes(static_cast<size_t>(bitmap.Width()) * bitmap.Height() * 3);
  std::vector<png_bytep> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    png_bytep row = &bytes[static_cast<size_t>(y) * bitmap.Width() * 3];
    rows[static_cast<size_t>(y)] = row;
    for (int x = 0; x < bitmap.Width(); ++x) {
      Pixel p = bitmap.At(x, y);
      row[3 * x] = static_cast<png_byte>(p >> 16);
      row[3 * x + 1] = static_cast<png_byte>(p >> 8);
      row[3 * x + 2] = static_cast<png_byte>(p);
    }
  }
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  bool ok = WriteRows(file.get(), bitmap.Width(), bitmap.Height(), rows);
  return std::fflush(file.get()) == 0 && ok;
}

}  // namespace lorvix
