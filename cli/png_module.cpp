#include "cli/png_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "base/errors.h"
#include "toolkit/png_chart_module.h"

namespace orv::cli {
namespace {

struct PngModule {
  CreatePngSurfaceFunction create = nullptr;
  EncodePngFunction encode = nullptr;
};

[[noreturn]] void CannotLoad(const std::string& why) {
  throw Fault("the PNG writer cannot be loaded: " + why);
}

// Beside the executable in the build tree, in ../lib/orvantis once installed.
PngModule LoadModule() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  std::string tried;
  for (const std::filesystem::path& candidate :
       {folder / ORVANTIS_PNG_MODULE_FILE, folder / ".." / "lib" / "orvantis" / ORVANTIS_PNG_MODULE_FILE}) {
    if (!std::filesystem::exists(candidate, error)) {
      tried += (tried.empty() ? "" : ", ") + candidate.lexically_normal().string();
      continue;
    }
    void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) CannotLoad(dlerror());
    PngModule png;
    png.create = reinterpret_cast<CreatePngSurfaceFunction>(dlsym(module, kCreatePngSurfaceSymbol));
    png.encode = reinterpret_cast<EncodePngFunction>(dlsym(module, kEncodePngSymbol));
    if (!png.create || !png.encode) CannotLoad(candidate.string() + " lacks its functions");
    return png;
  }
  CannotLoad("no " ORVANTIS_PNG_MODULE_FILE " at " + tried);
}

const PngModule& Module() {
  static const PngModule module = LoadModule();
  return module;
}

class PngHost final : public ChartHost {
 public:
  std::unique_ptr<Surface> CreateSurface(int width, int height) override {
    std::string error;
    std::unique_ptr<Surface> surface(Module().create(width, height, error));
    if (!surface) throw Fault("the PNG surface cannot be made: " + error);
    return surface;
  }
  void ShowPicture(Surface& finished) override {
    std::string error;
    if (Module().encode(finished, png, error) != 0) throw Fault(error);
  }
  void ShowImage3() override {}

  std::string png;
};

}  // namespace

std::string ChartPng(const SharedState& state, const ChartRequest& request, char decimalSeparator) {
  PngHost host;
  DrawChart(state, request, host, decimalSeparator);
  return std::move(host.png);
}

std::string ComparisonPng(const ComparisonChart& chart, char decimalSeparator) {
  PngHost host;
  ShowComparison(host, chart, decimalSeparator);
  return std::move(host.png);
}

}  // namespace orv::cli
