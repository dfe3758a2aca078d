#include "platform/HttpModuleEntry.h"

#include "platform/CurlHttpClient.h"

orvane::HttpClient* OrvaneOpenHttpClient(const char* server) {
    return new orvane::CurlHttpClient(server != nullptr ? server : orvane::DefaultServerUrl());
}
