// The controls of the windows keep their state while no handler of their
// window may start: a change that reaches them then, from outside the
// running handler, is put back at once.
#pragma once

namespace vb {

// Notes what every control of the open windows holds, and from then on keeps
// the ones not kept yet. Called as a handler starts, as a box opens and as
// pending events are handled; between those a control's noted state follows
// each change it may take.
void NoteControls();

}  // namespace vb
