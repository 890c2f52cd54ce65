#pragma once

// GMime is brought up once per program, whichever thread first reads or writes a mail.
namespace GMimeOnce {
void ensure();
}
