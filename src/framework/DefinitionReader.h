#pragma once
#include <string>
#include <string_view>

class TComponent;

// Reads a stored definition into root, whose class must be the stored root's
// class. Components are created in stored order, owned by root and placed on
// the control they are stored in; properties are assigned in stored order;
// when everything is read, every component gets Loaded (root first, then in
// creation order). Errors throw Exception naming the source and the line.
void ReadComponentFromText(TComponent& root, std::string_view text, const std::string& source);

// The definition stored as an RCDATA resource of the running program.
void ReadComponentResource(TComponent& root, const std::wstring& resourceName);
