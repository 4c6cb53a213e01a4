#pragma once

// What screen readers are told about the toolkit's own controls.
namespace Accessibility {

// Makes labels that act as commands read as push buttons that can be pressed. Idempotent.
// Makes labels that act as commands read as push buttons that can be pressed. Idempotent;
// every Label calls it before it can be seen.
void install();

} // namespace Accessibility
