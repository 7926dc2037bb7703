#pragma once

// Who makes the program, as its windows and links name them.
namespace Maker {
inline constexpr char WebHost[] = "www.verided.example";
inline constexpr char EmailAddress[] = "info@verided.example";
}
