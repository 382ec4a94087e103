#pragma once

// The typing rule of the factory dialogs' number boxes: printable ASCII other than the digits is
// dropped as it is typed ("." too unless the box takes a decimal point); control keys, DEL and
// everything beyond ASCII pass.
bool DropsTypedCharacter(char32_t code, bool takesPoint);
