#include "export/GifEncoder.hpp"

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
  // The index of a colour, through `index`; false for a colour Add has not taken.
  bool IndexOf(std::uint32_t rgb, GifPixelType& index) {
    if (!looked_ || rgb != lookedRgb_) {
      const auto found = index_.find(rgb);
      if (found == index_.end()) return false;
      lookedRgb_ = rgb;
      lookedIndex_ = found->second;
      looked_ = true;
    }
    index = lookedIndex_;
    return true;
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

// Checks the size and the delay; false with the reason in error.
bool CheckSizeAndDelay(int width, int height, int delayCs, std::string& error) {
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

}  // namespace

struct GifWriter::Encoder {
  Palette palette;
  GifHandle gif;
  std::vector<GifPixelType> row;
};

GifWriter::GifWriter(int width, int height, const std::vector<std::uint32_t>& palette, int delayCs)
    : width_(width), height_(height), delayCs_(delayCs), encoder_(std::make_unique<Encoder>()) {
  if (!CheckSizeAndDelay(width, height, delayCs, error_)) return;
  for (const std::uint32_t colour : palette) {
    if (!encoder_->palette.Add(Rgb(colour))) {
      error_ = "the frames hold more than 256 colours, more than a GIF palette holds.";
      return;
    }
  }
  if (encoder_->palette.Colours().empty()) {
    error_ = "a GIF palette needs at least one colour.";
    return;
  }
  int code = E_GIF_SUCCEEDED;
  encoder_->gif.reset(EGifOpen(&bytes_, AppendBytes, &code));
  if (encoder_->gif == nullptr) {
    error_ = GiflibReason(code);
    return;
  }
  encoder_->row.resize(static_cast<std::size_t>(width));
  if (!PutHeader(encoder_->gif.get(), width, height, encoder_->palette.Colours())) Fail();
}

GifWriter::~GifWriter() = default;

void GifWriter::Fail() {
  if (error_.empty()) error_ = GiflibReason(encoder_->gif->Error);
  encoder_->gif.reset();
  bytes_.clear();
}

bool GifWriter::AddFrame(const std::uint32_t* pixels, std::ptrdiff_t pitch) {
  if (!error_.empty() || encoder_->gif == nullptr) {
    if (error_.empty()) error_ = "the GIF is already finished.";
    return false;
  }
  GifFileType* const gif = encoder_->gif.get();
  // Each frame shows delayCs and is left standing for the next ("do not dispose").
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = delayCs_;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, width_, height_, false, nullptr) == GIF_ERROR) {
    Fail();
    return false;
  }
  // The pixels as palette indices, row by row, so that no indexed copy of the frame is kept.
  std::vector<GifPixelType>& row = encoder_->row;
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* source = pixels + y * pitch;
    for (int x = 0; x < width_; ++x) {
      if (!encoder_->palette.IndexOf(Rgb(source[x]), row[static_cast<std::size_t>(x)])) {
        error_ = "a frame holds a colour outside the GIF's palette.";
        Fail();
        return false;
      }
    }
    if (EGifPutLine(gif, row.data(), width_) == GIF_ERROR) {
      Fail();
      return false;
    }
  }
  ++frames_;
  return true;
}

bool GifWriter::Finish(std::string& bytes, std::string& error) {
  bytes.clear();
  if (error_.empty() && frames_ == 0) error_ = "no frames to encode.";
  if (!error_.empty() || encoder_->gif == nullptr) {
    if (error_.empty()) error_ = "the GIF is already finished.";
    error = error_;
    return false;
  }
  // Closing writes the trailer; giflib frees the handle whatever the outcome.
  int code = E_GIF_SUCCEEDED;
  if (EGifCloseFile(encoder_->gif.release(), &code) == GIF_ERROR) {
    error_ = error = GiflibReason(code);
    bytes_.clear();
    return false;
  }
  bytes.swap(bytes_);
  return true;
}

}  // namespace jouk
