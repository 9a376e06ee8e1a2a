#include "GifEncoder.hpp"

#include <gif_lib.h>

#include <cstddef>
#include <limits>
#include <memory>
#include <new>
#include <unordered_map>

namespace jouk {

namespace {

// The most colours one GIF palette holds, and the largest side and delay the format can store.
constexpr std::size_t kMaxColours = 256;
constexpr int kMaxField = std::numeric_limits<std::uint16_t>::max();

// The colour of a pixel without its alpha byte.
constexpr std::uint32_t Rgb(std::uint32_t pixel) {
  return pixel & 0xFFFFFFu;
}

// Maps colours to palette indices; a run of equal pixels costs one comparison.
class Palette {
 public:
  // Adds the colour if it is new; false once a 257th colour turns up.
  bool Add(std::uint32_t rgb) {
    if (!colours_.empty() && rgb == addedRgb_) return true;
    addedRgb_ = rgb;
    if (index_.contains(rgb)) return true;
    if (colours_.size() == kMaxColours) return false;
    index_.emplace(rgb, static_cast<GifPixelType>(colours_.size()));
    colours_.push_back(rgb);
    return true;
  }
  // The index of a colour that Add has taken.
  GifPixelType IndexOf(std::uint32_t rgb) {
    if (!looked_ || rgb != lookedRgb_) {
      lookedRgb_ = rgb;
      lookedIndex_ = index_.at(rgb);
      looked_ = true;
    }
    return lookedIndex_;
  }
  const std::vector<std::uint32_t>& Colours() const { return colours_; }

 private:
  std::vector<std::uint32_t> colours_;
  std::unordered_map<std::uint32_t, GifPixelType> index_;
  std::uint32_t addedRgb_ = 0;  // the colour Add saw last
  bool looked_ = false;         // whether IndexOf has a colour at hand
  std::uint32_t lookedRgb_ = 0;
  GifPixelType lookedIndex_ = 0;
};

// giflib's output function: appends to the std::string in UserData. Returns the bytes taken,
// fewer (which giflib reports as a write failure) when memory runs out.
int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::string*>(gif->UserData);
  try {
    out->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return length;
}

// Closes a giflib encoder that is abandoned after an error.
struct GifCloser {
  void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct MapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::string GiflibReason(int code) {
  const char* text = GifErrorString(code);
  return std::string("giflib: ") + (text != nullptr ? text : "unknown error") + ".";
}

// Smallest power of two, at least 2, that holds n colours: the size of a GIF colour table.
int TableSize(std::size_t n) {
  int size = 2;
  while (static_cast<std::size_t>(size) < n) size *= 2;
  return size;
}

// Checks the arguments and gathers the palette; false with the reason in error.
bool CheckFrames(const std::vector<std::vector<std::uint32_t>>& frames, int width, int height,
                 int delayCs, Palette& palette, std::string& error) {
  if (frames.empty()) {
    error = "no frames to encode.";
    return false;
  }
  if (width < 1 || width > kMaxField || height < 1 || height > kMaxField) {
    error = "a GIF picture is 1 to 65535 pixels wide and high, not " + std::to_string(width) + "x" +
            std::to_string(height) + ".";
    return false;
  }
  if (delayCs < 0 || delayCs > kMaxField) {
    error = "a GIF frame delay is 0 to 65535 hundredths of a second, not " +
            std::to_string(delayCs) + ".";
    return false;
  }
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  for (std::size_t f = 0; f < frames.size(); ++f) {
    if (frames[f].size() != pixels) {
      error = "frame " + std::to_string(f + 1) + " has " + std::to_string(frames[f].size()) +
              " pixels, not " + std::to_string(width) + "x" + std::to_string(height) + ".";
      return false;
    }
  }
  for (const std::vector<std::uint32_t>& frame : frames) {
    for (const std::uint32_t pixel : frame) {
      if (!palette.Add(Rgb(pixel))) {
        error = "the frames hold more than 256 colours, more than a GIF palette holds.";
        return false;
      }
    }
  }
  return true;
}

// Writes the screen descriptor with the global palette and the endless-loop extension.
bool PutHeader(GifFileType* gif, int width, int height, const std::vector<std::uint32_t>& colours) {
  const int tableSize = TableSize(colours.size());
  std::vector<GifColorType> table(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < colours.size(); ++i) {
    table[i].Red = static_cast<GifByteType>(colours[i] >> 16);
    table[i].Green = static_cast<GifByteType>(colours[i] >> 8);
    table[i].Blue = static_cast<GifByteType>(colours[i]);
  }
  const std::unique_ptr<ColorMapObject, MapFree> map(GifMakeMapObject(tableSize, table.data()));
  if (map == nullptr) {
    gif->Error = E_GIF_ERR_NOT_ENOUGH_MEM;
    return false;
  }
  EGifSetGifVersion(gif, true);
  // giflib copies the map into the file's own.
  if (EGifPutScreenDesc(gif, width, height, map->BitsPerPixel, 0, map.get()) == GIF_ERROR) {
    return false;
  }
  // NETSCAPE2.0: sub-block 1 holds the loop count, little-endian; 0 loops forever.
  static constexpr GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                                 'P', 'E', '2', '.', '0'};
  static constexpr GifByteType kLoopForever[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
         EGifPutExtensionBlock(gif, sizeof kApplication, kApplication) != GIF_ERROR &&
         EGifPutExtensionBlock(gif, sizeof kLoopForever, kLoopForever) != GIF_ERROR &&
         EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

// Writes one whole frame: its delay, its descriptor and its pixels as palette indices, row by
// row, so that no indexed copy of the frame is kept.
bool PutFrame(GifFileType* gif, const std::vector<std::uint32_t>& frame, int width, int height,
              int delayCs, Palette& palette, std::vector<GifPixelType>& row) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = delayCs;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR) {
    return false;
  }
  const std::size_t w = static_cast<std::size_t>(width);
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    const std::uint32_t* source = frame.data() + y * w;
    for (std::size_t x = 0; x < w; ++x) row[x] = palette.IndexOf(Rgb(source[x]));
    if (EGifPutLine(gif, row.data(), width) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

bool EncodeGif(const std::vector<std::vector<std::uint32_t>>& frames, int width, int height,
               int delayCs, std::string& bytes, std::string& error) {
  bytes.clear();
  Palette palette;
  if (!CheckFrames(frames, width, height, delayCs, palette, error)) return false;

  int code = E_GIF_SUCCEEDED;
  GifHandle gif(EGifOpen(&bytes, AppendBytes, &code));
  if (gif == nullptr) {
    error = GiflibReason(code);
    return false;
  }
  std::vector<GifPixelType> row(static_cast<std::size_t>(width));
  bool ok = PutHeader(gif.get(), width, height, palette.Colours());
  for (std::size_t f = 0; ok && f < frames.size(); ++f) {
    ok = PutFrame(gif.get(), frames[f], width, height, delayCs, palette, row);
  }
  if (!ok) {
    error = GiflibReason(gif->Error);
    gif.reset();
    bytes.clear();
    return false;
  }
  // Closing writes the trailer; giflib frees the handle whatever the outcome.
  if (EGifCloseFile(gif.release(), &code) == GIF_ERROR) {
    error = GiflibReason(code);
    bytes.clear();
    return false;
  }
  return true;
}

}  // namespace jouk
