#include "platform/CurlHttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <utility>

#ifndef ORVANE_DEFAULT_SERVER
#error "ORVANE_DEFAULT_SERVER comes from the build configuration"
#endif

namespace orvane {
namespace {

// libcurl's global state is set up once, by the first client, and torn down at
// exit, after the last client is gone.
class CurlGlobal {
public:
    CurlGlobal() : result_(curl_global_init(CURL_GLOBAL_DEFAULT)) {}
    ~CurlGlobal() {
        if (result_ == CURLE_OK) curl_global_cleanup();
    }
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;

    bool ok() const { return result_ == CURLE_OK; }

private:
    CURLcode result_;
};

bool CurlReady() {
    static const CurlGlobal global;
    return global.ok();
}

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyCleanup>;

// Zero would not mean "at once" to libcurl but "its own default" or "never".
long Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<long>(std::max<std::chrono::milliseconds::rep>(duration.count(), 1));
}

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r\n") + 1 - begin);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        return lower(x) == lower(y);
    });
}

// What the callbacks collect during one request.
struct Transfer {
    std::uint64_t maxBodyBytes = 0;
    HttpResponse response;
    std::optional<std::uint64_t> announced;
    bool tooLong = false;
};

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        // An interim 1xx answer comes first with its own headers; only the
        // final response's length counts.
        transfer.response.contentLength.reset();
        transfer.announced.reset();
        return line.size();
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos ||
        !SameNameIgnoringCase(Trim(line.substr(0, colon)), "Content-Length")) {
        return line.size();
    }
    const std::string_view value = Trim(line.substr(colon + 1));
    transfer.response.contentLength = std::string(value);
    // Read the way libcurl and FetchToMemory read it: the leading digits.
    std::uint64_t length = 0;
    const auto parsed = std::from_chars(value.data(), value.data() + value.size(), length);
    if (parsed.ec == std::errc()) {
        transfer.announced = length;
    } else {
        transfer.announced.reset();
    }
    return line.size();
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    std::uint64_t limit = transfer.maxBodyBytes;
    if (transfer.announced) limit = std::min(limit, *transfer.announced);
    if (transfer.response.body.size() + bytes > limit) {
        // Any count other than `bytes` makes libcurl abort the transfer.
        transfer.tooLong = true;
        return 0;
    }
    transfer.response.body.append(data, bytes);
    return bytes;
}

// The options both handles share.
void SetCommonOptions(CURL* easy, const CurlLimits& limits) {
    // Timeouts without SIGALRM, which is not ours to take in a threaded program.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, Milliseconds(limits.connectTimeout));
}

}  // namespace

struct CurlHttpClient::Handle {
    Easy easy;
    std::unique_ptr<curl_slist, ListCleanup> headers;
    char error[CURL_ERROR_SIZE] = {};
};

CurlHttpClient::CurlHttpClient(std::string baseUrl, CurlLimits limits)
    : baseUrl_(std::move(baseUrl)), limits_(limits) {
    // "http://host/" from a hand-written setting would otherwise give "///".
    while (baseUrl_.ends_with('/')) baseUrl_.pop_back();
    if (!CurlReady()) {
        lastError_ = "libcurl could not be initialised";
        return;
    }
    auto handle = std::make_unique<Handle>();
    handle->easy.reset(curl_easy_init());
    if (!handle->easy) {
        lastError_ = "libcurl could not be initialised";
        return;
    }
    // The server and proxies in between must not answer from a stale copy of
    // the catalogue.
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    if (headers != nullptr) {
        handle->headers.reset(headers);
        if (curl_slist_append(headers, "Pragma: no-cache") == nullptr) handle->headers.reset();
    }
    if (!handle->headers) {
        lastError_ = "out of memory";
        return;
    }

    CURL* easy = handle->easy.get();
    SetCommonOptions(easy, limits_);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, handle->error);
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, handle->headers.get());
    // The server's object names contain "//"; they go out exactly as given.
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedLimit);
    curl_easy_setopt(
        easy, CURLOPT_LOW_SPEED_TIME,
        static_cast<long>(std::max<std::chrono::seconds::rep>(limits_.lowSpeedTime.count(), 1)));
    // Refuses an announced length over the cap before any body arrives; the
    // write callback covers bodies that announce none.
    const auto cap = std::min<std::uint64_t>(
        limits_.maxBodyBytes, static_cast<std::uint64_t>(std::numeric_limits<curl_off_t>::max()));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(cap));
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody);
    handle_ = std::move(handle);
}

CurlHttpClient::~CurlHttpClient() = default;

std::optional<HttpResponse> CurlHttpClient::Get(std::string_view path) {
    if (!handle_) return std::nullopt;
    CURL* easy = handle_->easy.get();
    Transfer transfer{.maxBodyBytes = limits_.maxBodyBytes};
    const std::string url = baseUrl_ + "/" + std::string(path);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    handle_->error[0] = '\0';

    const CURLcode result = curl_easy_perform(easy);

    // The handle outlives `transfer`.
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, nullptr);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, nullptr);
    if (result != CURLE_OK) {
        if (transfer.tooLong) {
            lastError_ = "the body is longer than announced or than the limit";
        } else {
            lastError_ = handle_->error[0] != '\0' ? handle_->error : curl_easy_strerror(result);
        }
        return std::nullopt;
    }
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    transfer.response.status = static_cast<int>(status);
    lastError_.clear();
    return std::move(transfer.response);
}

bool CurlHttpClient::CheckInternet() {
    if (!CurlReady()) return false;
    // A handle of its own, so that the session's connection is left alone.
    const Easy probe(curl_easy_init());
    if (!probe) return false;
    SetCommonOptions(probe.get(), limits_);
    const std::string url = baseUrl_ + "/";
    curl_easy_setopt(probe.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(probe.get(), CURLOPT_CONNECT_ONLY, 1L);
    return curl_easy_perform(probe.get()) == CURLE_OK;
}

std::string DefaultServerUrl() {
    if (const char* server = std::getenv("ORVANE_SERVER"); server != nullptr && *server != '\0') {
        return server;
    }
    return ORVANE_DEFAULT_SERVER;
}

}  // namespace orvane
