// Makes the title bar known to the description reader.
#pragma once

void RegisterTitleBarClasses();
