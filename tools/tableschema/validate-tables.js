// Checks the tables of a Camtrap DP package against their Table Schemas: each table's columns
// by name and order, every value by its field's type, format and constraints (required, enum,
// pattern, bounds), the unique constraints and primary key over the whole table, and the foreign
// keys between the tables.
//   node validate-tables.js PACKAGE_DIR SCHEMA_DIR
// A resource's schema URL is resolved to the file of the same name in SCHEMA_DIR, so no check
// reaches the network. Prints each error; exits 1 when there is one.
const fs = require('fs');
const path = require('path');
const {Schema} = require('tableschema');
const parse = require('csv-parse/lib/sync');

const tablesBase = 'https://raw.githubusercontent.com/tdwg/camtrap-dp/1.0.2/';

(async () => {
  const [packageDir, schemaDir] = process.argv.slice(2);
  const descriptor = JSON.parse(fs.readFileSync(path.join(packageDir, 'datapackage.json'), 'utf8'));
  const errors = [];
  const tables = {};
  for (const resource of descriptor.resources) {
    if (!['deployments', 'media', 'observations'].includes(resource.name))
      continue;
    if (typeof resource.schema !== 'string' || !resource.schema.startsWith(tablesBase)) {
      errors.push(`${resource.name}: schema ${resource.schema} is not a Camtrap DP 1.0.2 table schema`);
      continue;
    }
    const schemaFile = path.join(schemaDir, resource.schema.slice(tablesBase.length));
    const schema = await Schema.load(JSON.parse(fs.readFileSync(schemaFile, 'utf8')), {strict: true});
    const rows = parse(fs.readFileSync(path.join(packageDir, resource.path), 'utf8'),
                       {relax_column_count: false});
    const header = rows.shift() || [];
    if (JSON.stringify(header) !== JSON.stringify(schema.fieldNames)) {
      errors.push(`${resource.name}: columns ${header} are not the schema's ${schema.fieldNames}`);
      continue;
    }
    const seen = new Map();
    schema.fields.forEach((field) => {
      if (field.constraints.unique || schema.primaryKey.includes(field.name))
        seen.set(field.name, new Set());
    });
    rows.forEach((row, at) => {
      schema.fields.forEach((field, column) => {
        try {
          field.castValue(row[column]);
        } catch (error) {
          errors.push(`${resource.name} row ${at + 2}: ${field.name}: ${error.message}`);
        }
        const values = seen.get(field.name);
        if (!values || row[column] === '')
          return;
        if (values.has(row[column]))
          errors.push(`${resource.name} row ${at + 2}: ${field.name} "${row[column]}" is not unique`);
        values.add(row[column]);
      });
    });
    tables[resource.name] = {schema, rows};
  }
  for (const [name, {schema, rows}] of Object.entries(tables)) {
    for (const key of schema.foreignKeys) {
      const target = tables[key.reference.resource];
      if (!target) {
        errors.push(`${name}: the table ${key.reference.resource} its ${key.fields} refer to is missing`);
        continue;
      }
      const from = schema.fieldNames.indexOf(key.fields[0]);
      const to = target.schema.fieldNames.indexOf(key.reference.fields[0]);
      const known = new Set(target.rows.map((row) => row[to]));
      rows.forEach((row, at) => {
        if (row[from] !== '' && !known.has(row[from]))
          errors.push(`${name} row ${at + 2}: ${key.fields[0]} "${row[from]}" is not in ${key.reference.resource}`);
      });
    }
  }
  for (const name of ['deployments', 'media', 'observations']) {
    if (!tables[name])
      errors.push(`the package has no ${name} table`);
  }
  errors.forEach((error) => console.log(error));
  process.exit(errors.length ? 1 : 0);
})().catch((error) => {
  console.log(error.message);
  process.exit(2);
});
