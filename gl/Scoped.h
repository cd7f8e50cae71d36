// Scope objects: bind a GL object for the length of a scope. Leaving a scope restores the
// GL default (binding 0, texture unit 0), never the earlier binding: no GL state is queried.
#pragma once

#include <cstdint>

namespace ffglex {

class ScopedBufferBinding {
public:
    ScopedBufferBinding(uint32_t target, uint32_t buffer);
    virtual ~ScopedBufferBinding();
    ScopedBufferBinding(const ScopedBufferBinding&) = delete;
    ScopedBufferBinding& operator=(const ScopedBufferBinding&) = delete;
    // Unbinds before the scope ends; the destructor then does nothing more.
    void EndScope();

private:
    uint32_t target;
    bool bound;
};

// GL_ARRAY_BUFFER.
class ScopedVBOBinding : public ScopedBufferBinding {
public:
    explicit ScopedVBOBinding(uint32_t buffer);
};

class ScopedTextureBinding {
public:
    ScopedTextureBinding(uint32_t target, uint32_t texture);
    virtual ~ScopedTextureBinding();
    ScopedTextureBinding(const ScopedTextureBinding&) = delete;
    ScopedTextureBinding& operator=(const ScopedTextureBinding&) = delete;
    void EndScope();

private:
    uint32_t target;
    bool bound;
};

// GL_TEXTURE_2D.
class Scoped2DTextureBinding : public ScopedTextureBinding {
public:
    explicit Scoped2DTextureBinding(uint32_t texture);
};

}  // namespace ffglex

class ScopedProgramUse {
public:
    explicit ScopedProgramUse(uint32_t program);
    ~ScopedProgramUse();
    ScopedProgramUse(const ScopedProgramUse&) = delete;
    ScopedProgramUse& operator=(const ScopedProgramUse&) = delete;
    void EndScope();

private:
    bool bound;
};

// Unit numbers count from 0 (GL_TEXTURE0).
class ScopedActiveTextureUnit {
public:
    explicit ScopedActiveTextureUnit(uint32_t unit);
    ~ScopedActiveTextureUnit();
    ScopedActiveTextureUnit(const ScopedActiveTextureUnit&) = delete;
    ScopedActiveTextureUnit& operator=(const ScopedActiveTextureUnit&) = delete;
    void EndScope();

private:
    bool bound;
};

class ScopedVertexArrayBinding {
public:
    explicit ScopedVertexArrayBinding(uint32_t vertexArray);
    ~ScopedVertexArrayBinding();
    ScopedVertexArrayBinding(const ScopedVertexArrayBinding&) = delete;
    ScopedVertexArrayBinding& operator=(const ScopedVertexArrayBinding&) = delete;
    void EndScope();

private:
    bool bound;
};
