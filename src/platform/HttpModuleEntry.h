#pragma once

#include "net/HttpClient.h"

// What the HTTP module exports: a new client of `server`
// ("http://host[:port]"), or of the default server when `server` is null.
// The caller owns the client; the module stays loaded for the whole run.
extern "C" __attribute__((visibility("default"))) orvane::HttpClient* OrvaneOpenHttpClient(
    const char* server);
