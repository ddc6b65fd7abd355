#pragma once

namespace tav::records {

// Code built for the baseline x86-64 (SSE) runs much slower while the upper halves of the AVX
// registers hold what other code left in them: setting up the window system's libraries does
// that, and a load in the program then took half as long again as the same load outside it.
// The long loops over a whole database clear that state first. Does nothing on a processor
// without AVX.
void clearUpperVectorState();

} // namespace tav::records
