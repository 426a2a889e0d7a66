#include "win/platform/png_decoder.h"

#include <windows.h>

#include <wincodec.h>

#include <cstdint>

#include "core/drawing/drawing_file.h"
#include "win/platform/shell_library.h"

namespace drawlot {
namespace {

// The imaging component's ids, here so that no library has to be linked for them.
constexpr CLSID kImagingFactory = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr IID kImagingFactoryInterface = {
    0xec5ec8a9, 0xc395, 0x4314, {0x9c, 0x77, 0x54, 0xd7, 0xa9, 0x35, 0xff, 0x70}};
constexpr GUID kBlueGreenRedAlpha = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};

// One reference to a COM object, released when it goes.
template <typename Interface>
class Held {
 public:
  Held() = default;
  ~Held() {
    if (object_) object_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Interface* operator->() const { return object_; }
  Interface* get() const { return object_; }
  Interface** out() { return &object_; }

 private:
  Interface* object_ = nullptr;
};

std::optional<std::string> Decode(IWICImagingFactory& factory, std::string_view png) {
  Held<IWICStream> stream;
  if (FAILED(factory.CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                          static_cast<DWORD>(png.size())))) {
    return std::nullopt;
  }
  Held<IWICBitmapDecoder> decoder;
  Held<IWICBitmapFrameDecode> frame;
  Held<IWICFormatConverter> converter;
  if (FAILED(factory.CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                             decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(factory.CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), kBlueGreenRedAlpha, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width < 1 || height < 1 ||
      width > kMaxPictureSide || height > kMaxPictureSide ||
      std::uint64_t{width} * height * 4 > kMaxPictureBytes) {
    return std::nullopt;
  }
  std::string pixels(std::size_t{width} * height * 4, '\0');
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()),
                                   reinterpret_cast<BYTE*>(pixels.data())))) {
    return std::nullopt;
  }
  std::string dib = DibOverWhite(static_cast<int>(width), static_cast<int>(height), pixels);
  if (dib.empty()) return std::nullopt;
  return dib;
}

}  // namespace

std::optional<std::string> DecodePngToDib(std::string_view png) {
  if (png.empty() || png.size() > kMaxPictureBytes || !CheckPng(png)) return std::nullopt;
  const ComApartment apartment(COINIT_MULTITHREADED);  // for as long as the decoding lasts
  Held<IWICImagingFactory> factory;
  if (FAILED(CreateComObject(kImagingFactory, kImagingFactoryInterface,
                             reinterpret_cast<void**>(factory.out())))) {
    return std::nullopt;
  }
  return Decode(*factory.get(), png);
}

}  // namespace drawlot
