#pragma once
// The texts of the input messages, exactly as the users know them.
namespace tessaly::messages {

inline constexpr const char* kTimezone = "Uncorrect input Timezone!";
inline constexpr const char* kLongitude = "Uncorrect input Longitude!";
inline constexpr const char* kLatitude = "Uncorrect input Latitude!";
inline constexpr const char* kHours = "Uncorrect input Hours!";
inline constexpr const char* kMinutes = "Uncorrect input Minutes!";
inline constexpr const char* kSeconds = "Uncorrect input Seconds!";
inline constexpr const char* kDay = "Uncorrect input Day!";
inline constexpr const char* kMonth = "Uncorrect input Month!";
inline constexpr const char* kYear = "Uncorrect input Year!";

}  // namespace tessaly::messages
