#include "platform/HttpModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "platform/HttpModuleEntry.h"

#if !defined(ORVANE_HTTP_MODULE) || !defined(ORVANE_INSTALLED_HTTP_MODULE_DIR)
#error "ORVANE_HTTP_MODULE and ORVANE_INSTALLED_HTTP_MODULE_DIR come from the build configuration"
#endif

namespace orvane {

std::filesystem::path HttpModulePath(const std::filesystem::path& executableFolder) {
    const std::filesystem::path beside = executableFolder / ORVANE_HTTP_MODULE;
    std::error_code error;
    if (std::filesystem::exists(beside, error)) return beside;
    return (executableFolder / ORVANE_INSTALLED_HTTP_MODULE_DIR / ORVANE_HTTP_MODULE)
        .lexically_normal();
}

namespace {

// Found from the running executable, wherever it was started from.
std::filesystem::path ModulePath() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw std::runtime_error("the executable's own path cannot be read: " + error.message());
    return HttpModulePath(executable.parent_path());
}

using OpenFunction = decltype(&OrvaneOpenHttpClient);

// Loaded once per process and never unloaded: clients and libcurl's global
// state live until the end.
OpenFunction LoadModule() {
    static const OpenFunction open = [] {
        const std::filesystem::path path = ModulePath();
        void* module = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
        void* entry = module != nullptr ? ::dlsym(module, "OrvaneOpenHttpClient") : nullptr;
        if (entry == nullptr) {
            const char* reason = ::dlerror();
            throw std::runtime_error("the HTTP module " + path.string() + " cannot be loaded: " +
                                     (reason != nullptr ? reason : "no entry point"));
        }
        return reinterpret_cast<OpenFunction>(entry);
    }();
    return open;
}

// Stands in for the module's client until the first request needs it.
class OnDemandHttpClient : public HttpClient {
public:
    explicit OnDemandHttpClient(std::optional<std::string> server) : server_(std::move(server)) {}

    std::optional<HttpResponse> Get(std::string_view path) override { return Client().Get(path); }
    bool CheckInternet() override { return Client().CheckInternet(); }

private:
    HttpClient& Client() {
        if (!client_) client_.reset(LoadModule()(server_ ? server_->c_str() : nullptr));
        return *client_;
    }

    std::optional<std::string> server_;
    std::unique_ptr<HttpClient> client_;
};

}  // namespace

std::unique_ptr<HttpClient> OpenHttpClient(std::optional<std::string> server) {
    return std::make_unique<OnDemandHttpClient>(std::move(server));
}

}  // namespace orvane
