// What assistive technology is told about the window's own widgets where a
// plain widget says too little: the view is the window; the rule below the
// heading is a separator; a status panel is a grouping, or an alert for a
// failure, named by its headline and described by its text; the busy
// indicator's bar, which has the focus while the agent is asked or a
// configuration saved, is busy and has no value to read or change; the note
// below it is a notification, spoken as it appears; a masked field tells
// bullets; every field answers whatever is asked of its text at once.
#pragma once

namespace AccessibleRoles {

// Installs them once for the application, with the masking of the token
// field's text.
void install();

} // namespace AccessibleRoles
