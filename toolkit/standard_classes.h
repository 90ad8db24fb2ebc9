// Makes the toolkit's own component classes known to the description reader.
#pragma once

void RegisterStandardClasses();
