#pragma once

// Where the utility daemon is found on the system bus. The methods and their
// arguments are described by local.VHUtilityd.UtilityDaemon.xml.
namespace UtilitydNames {
inline constexpr char service[] = "com.varnholt.VHUtilityd";
inline constexpr char objectPath[] = "/";
inline constexpr char interfaceName[] = "local.VHUtilityd.UtilityDaemon";
} // namespace UtilitydNames
