// Makes the skinned form known to the description reader.
#pragma once

void RegisterFormClasses();
