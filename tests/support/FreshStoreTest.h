#pragma once

#include "TestEnv.h"

#include <QObject>

#include <memory>

// Base of a test case whose every test function runs with a throwaway preferences store of its
// own. A test case that needs more around each function overrides setUp and tearDown, which run
// while the store exists.
class FreshStoreTest : public QObject
{
    Q_OBJECT

protected:
    virtual void setUp() { }
    virtual void tearDown() { }
    const TestEnv &store() const { return *env; }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        setUp();
    }
    void cleanup()
    {
        tearDown();
        env.reset();
    }

private:
    std::unique_ptr<TestEnv> env;
};
