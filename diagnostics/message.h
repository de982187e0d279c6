// The shared message buffer: messages with variable parts (a late bar with the
// beat's text, the meter replacement, the end of a ladder) are composed here
// before they are reported. Composing overwrites what the buffer held.
#pragma once

[[gnu::format(printf, 1, 2)]] void message_compose(const char* format, ...);
[[gnu::format(printf, 1, 2)]] void message_ajoute(const char* format, ...);
const char* message_texte();
