#pragma once

namespace ardoine {

// Makes assistive technology read each ardoine::ListeDeroulante of the process with its own
// accessible interface (once per process; later calls do nothing).
void Installer_Interface_Liste();

}  // namespace ardoine
