#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "net/HttpClient.h"

namespace orvane::testing {

// Serves files from memory; a path it does not hold answers 404. Scripted
// responses for a path are used first, one per request, before the file.
class FakeHttpClient : public HttpClient {
public:
    void Serve(std::string path, std::string body) { files_[std::move(path)] = std::move(body); }
    void Script(const std::string& path, std::optional<HttpResponse> response) {
        scripted_[path].push_back(std::move(response));
    }
    void SetReachable(bool reachable) { reachable_ = reachable; }

    std::optional<HttpResponse> Get(std::string_view path) override {
        const std::string key(path);
        requests_.push_back(key);
        if (auto found = scripted_.find(key); found != scripted_.end() && !found->second.empty()) {
            auto response = std::move(found->second.front());
            found->second.pop_front();
            return response;
        }
        const auto file = files_.find(key);
        if (file == files_.end()) return HttpResponse{404, "9", "Not found"};
        return HttpResponse{200, std::to_string(file->second.size()), file->second};
    }
    bool CheckInternet() override { return reachable_; }

    const std::vector<std::string>& requests() const { return requests_; }

private:
    std::map<std::string, std::string> files_;
    std::map<std::string, std::deque<std::optional<HttpResponse>>> scripted_;
    std::vector<std::string> requests_;
    bool reachable_ = true;
};

}  // namespace orvane::testing
