#pragma once

// Shows the busy pointer over every window while a blocking exchange waits for its reply.
void InstallBusyPointer();
