#include "platform/sdl_platform.h"

namespace platform {

struct SdlPlatform::Impl {};
SdlPlatform::SdlPlatform() = default;
SdlPlatform::~SdlPlatform() = default;
std::unique_ptr<SdlPlatform> SdlPlatform::Create(const SdlOptions&, std::string* error) {
  *error = "the window is being built; use --headless";
  return nullptr;
}
uint32_t SdlPlatform::Clock() { return 0; }
void SdlPlatform::Sleep(uint32_t) {}
void SdlPlatform::Yield() {}
KeyState SdlPlatform::QueryKey(Key) { return {}; }
void SdlPlatform::Present(const Surface&) {}
void SdlPlatform::SetCaption(std::string_view) {}
std::string SdlPlatform::SendMusicCommand(std::string_view) { return ""; }
void SdlPlatform::PlaySound(const std::filesystem::path&) {}
void SdlPlatform::ShowError(std::string_view) {}

}  // namespace platform
