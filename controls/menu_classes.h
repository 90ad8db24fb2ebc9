// Makes the skinned menus known to the description reader.
#pragma once

void RegisterMenuClasses();
