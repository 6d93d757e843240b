// The product's own texts that messages anywhere in the engine quote: the engine version shown in
// the report banner and the support address of the internal-error blocks. A leaf: any folder may
// include it.
#pragma once

constexpr const char* k_Engine_Version = "2012-06.032";
constexpr const char* k_Support_Address = "support@orvane.io";
