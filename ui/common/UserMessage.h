#pragma once

#include <QString>

#include "model/framework/UserText.h"

struct FileResult;

// How the filled-in parts of a model message hold their characters: file paths
// and messages about them as the system gives them (UTF-8); item and catalogue
// texts as the files' bytes (Windows-1252, read through Text.h).
enum class MessageBytes { Utf8, Windows1252 };

// The model's message in the program's language: its pattern translated under the
// context "Messages", then each %1..%9 filled in with its part (a nested message
// translated likewise, anything else as it is), in one pass, so that a marker
// inside a file name stays as it is. English when no translator is installed.
QString UserMessage(const CUserText& text, MessageBytes bytes = MessageBytes::Utf8);
// The result's message; its plain English message when it carries no pattern.
QString UserMessage(const FileResult& result, MessageBytes bytes = MessageBytes::Utf8);
