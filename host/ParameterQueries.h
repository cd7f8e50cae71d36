// Answers about the parameter table, taken from a given object's table: the prototype's
// for instance-less questions, an instance's own where the host names one.
#pragma once

#include <cstdint>

class CFFGLPluginManager;

uint64_t AnswerParameterDefault(const CFFGLPluginManager& table, uint32_t index);
uint64_t AnswerCapability(const CFFGLPluginManager& table, uint32_t capability);
uint64_t AnswerElementName(const CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerElementValue(const CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerSetElementValue(CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerRange(const CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerExtension(const CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerAuxiliaryEntry(const CFFGLPluginManager& table, uint64_t input);
uint64_t AnswerEvents(CFFGLPluginManager& table, uint64_t input);
// Codes 50 and 51: copies min(length, size) bytes, no terminator, into the host's buffer.
uint64_t AnswerTextCopy(const CFFGLPluginManager& table, uint64_t input, bool groupName);
// Code 42: the picture's size, and its pixels when the host gives a buffer.
uint64_t AnswerThumbnail(uint64_t input);
