#pragma once

namespace orvane::result {

// The small integers every operation of the system reports.
inline constexpr int Ok = 0;
inline constexpr int Failed = 1;
inline constexpr int Rejected = 2;  // read, but not of this family / not acceptable
inline constexpr int NoDevice = 5;  // no device, or the server failed
inline constexpr int Cancelled = 6;

}  // namespace orvane::result
